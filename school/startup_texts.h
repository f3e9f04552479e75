#pragma once
// What the account generator and the rights tool say at start-up when the student export cannot
// be read: both open it from the floppy disk before their window shows.

#include <string_view>

namespace school {

inline constexpr std::string_view kSevereProblemTitle = "Severe Problem";
inline constexpr std::string_view kFloppyTitle = "Where's the Floppy?";

inline constexpr std::string_view kInsertFloppy =
    "The Win2000 floppy disk with your exported school.txt file is not in the floppy drive.  "
    "Please insert it then click OK.";
inline constexpr std::string_view kStudentExportTooShort =
    "It appears that school.txt file has not been exported from KORU correctly.  This utility "
    "will now close.";
inline constexpr std::string_view kBadSectors =
    "It appears that the floppy disk has developed some bad sectors or the drive needs "
    "cleaning.  This utility will now close.";

}  // namespace school
