#pragma once
#include <optional>

namespace veltrano {

// Answers --help and --version on standard output before anything else
// starts, so neither needs a display nor touches the data folder. Returns the
// exit code when the command line was such a question; nullopt when the
// program should start. Any other argument is left alone, as it always was
// (Qt's own -display, -session and the like among them).
std::optional<int> answerCommandLineQuestion(int argc, char *argv[]);

} // namespace veltrano
