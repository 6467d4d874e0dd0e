#pragma once
// Seconds between automatic rebuilds of the window list; 0 or less is off. Only the options
// dialog writes it; every start begins with 0.
inline int AutoRefreshPeriod = 0;
