// The built-in English texts of the configurator's own messages, from index
// Lang_Count on. %1, %2 ... stand for the values the message names.

#include "base/ULanguage.h"

const std::array<const char*, Own_Text_Count> Own_Text_Defaults = {{
    /* 720 */ "The program %1 could not be started: %2",
    /* 721 */ "The program %1 ended with the exit code %2",
    /* 722 */ "The program %1 ended by signal %2",
    /* 723 */ "The program %1 is still running after %2 seconds",
    /* 724 */ "Update stays disabled until it has ended.",
    /* 725 */ "No project can be created in the projects folder %1: %2",
    /* 726 */ "The project %1 cannot be opened: its folder name is not valid UTF-8",
    /* 727 */ "The link %1 cannot be opened: %2",
    /* 728 */ "unknown reason",
    /* 729 */ "Error!! %1 holds more than %2 frames: row %3 and the rows after it cannot be sent to the device",
    /* 730 */ "Error! Please set the Communication Parameters before updating the Device",
    /* 731 */ "Error in row %1!! A PROFIBUS module must hold from 1 to 64 bytes, not %2",
    /* 732 */ "Error in the bitmap module!! A PROFIBUS module must hold from 1 to 64 bytes, not %1",
    /* 733 */ "!! The row holds data but no %1: fill in the %1 or delete the row",
    /* 734 */ "!! The row holds data, but the table ends at row %1, which has no %2: fill in row %1 or delete it",
    /* 735 */ "!! %1 holds %2, which cannot be saved",
    /* 736 */ "Error!! %1 holds %2, which cannot be saved",
    /* 737 */ "Error!! Row %1, the last row, holds data: delete a row before inserting one",
    /* 738 */ "%1 could not be loaded completely. Saving replaces it with what the table shows now. Do you want to save?",
    /* 739 */ "%1 holds more than %2 rows: only the first %2 are shown",
    /* 740 */ "Row %1: %2 \"%3\" names no frame of the J1939 file, which holds %4 frames",
}};
