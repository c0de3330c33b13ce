#pragma once
#include <QString>

namespace veltrano::bench {

// A data folder (ending with '/') whose "Projects Group" holds 100 projects
// of 9 structures of 10 sub-structures: 10,000 folders, each with its note,
// as a long-used installation has them. Made once per process.
const QString &TenThousandFolders();

} // namespace veltrano::bench
