#pragma once
// The one-line command console: a few built-in words, everything else opened
// by the desktop like a name typed into a "Run" box.
#include <QString>
#include <functional>

namespace veltrano {

class MessageBoxes;
class Shell;

inline constexpr auto kUnknownOperatorMessage = u"Unknown operator :(";

enum class ConsoleWord { None, CloseProgram, KeymapInfo };

// What the whole upper-cased text means; no trimming, so " EXIT" is no word.
ConsoleWord BuiltInConsoleWord(const QString &upperCased);

// The reactions of the built-in words, given by the window that holds the console.
struct ConsoleReactions {
    std::function<void()> closeMainWindow;
    std::function<void()> showKeymapInfo;
};

// Runs a built-in word, whatever its letter case, or asks the shell to open
// the text as one name, exactly as typed (addresses and file names here tell
// upper from lower case); "Unknown operator :(" when nothing could be opened,
// also when the desktop's opener finds out only later (a file with no
// program for it).
void RunConsoleCommand(const QString &text, Shell &shell, MessageBoxes &messages, const ConsoleReactions &reactions);

} // namespace veltrano
