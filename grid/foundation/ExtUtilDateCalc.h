#pragma once
// Calendar arithmetic on date values (days since 30 December 1899) for the
// grid helper files.

// False for a date that does not exist (years 1 to 9999).
bool GridTryEncodeDate(int Year, int Month, int Day, double& Date);
void GridDecodeDate(double Date, int& Year, int& Month, int& Day);
// 0 for a month outside 1..12.
int GridDaysInMonth(int Year, int Month);
