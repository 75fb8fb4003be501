// The time zones the settings dialog offers. Each entry's bracketed figure is the time
// difference it stands for: hours added to the stored kick-off times, which are kept in UTC+1.
#pragma once

#include <cstdint>
#include <span>

#include <QString>

namespace pitchlog {

// The entries in the order the list shows them, "(-12:00) Midway Island, Samoa" first.
std::span<const char* const> TimeZoneEntries();

// Hours from the six characters after an entry's opening bracket: "-04:30" gives -4.5,
// "+04:45" 4.75, " 00:00" 0.
double TimeDifferenceFromZone(const QString& figure);

// The whole-hour difference for a machine `utc_offset_minutes` east of UTC, a half rounded to
// the even neighbour: 120 gives 1, 0 gives -1, 330 gives 4.
int16_t DefaultTimeDifference(int32_t utc_offset_minutes);

// The difference for a first start on a machine `utc_offset_minutes` east of UTC: its exact
// offset where an entry stands for it (330 gives 4.5, Chennai), else DefaultTimeDifference.
double MachineTimeDifference(int32_t utc_offset_minutes);

// The first eight characters of the entries worth `hours`: "(+01:00)", "( 00:00)", "(-06:00)".
QString ZonePrefix(int16_t hours);

}  // namespace pitchlog
