#include "app/shell/time_zones.h"

#include <cmath>
#include <cstdlib>

namespace pitchlog {
namespace {

constexpr const char* kEntries[] = {
    "(-12:00) Midway Island, Samoa",
    "(-11:00) Hawaii",
    "(-10:00) Alaska",
    "(-09:00) Pacific Time (US & Canada); Tijuana",
    "(-08:00) Arizona",
    "(-08:00) Chihuaua, La Paz, Mazatlan",
    "(-08:00) Mountain Time (US & Canada)",
    "(-07:00) Central America",
    "(-07:00) Central Time (US & Canada)",
    "(-07:00) Guadalajara, Mexico City, Monterrey, Saskatchewan",
    "(-06:00) Bogota, Lima, Quito",
    "(-06:00) Eastern Time, Indiana (East)",
    "(-05:00) Atlantic Time (Canada)",
    "(-05:00) Caracas, La Paz, Santiago",
    "(-04:30) Newfoundland",
    "(-04:00) Brasilia, Buenos Aires, Georgetown, Greenland",
    "(-03:00) Mid-Atlantic",
    "(-02:00) Azores, Cape Verde Is.",
    "(-01:00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London",
    "(-01:00) Casa Blanca, Monrovia",
    "( 00:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
    "( 00:00) Belgrade, Bratislava, Budapest, Ljupljana, Prague",
    "( 00:00) Brussels, Copenhagen, Madrid, Paris",
    "( 00:00) Sarajevo, Skopje, Warsaw, Zagreb",
    "( 00:00) West Central Africa",
    "(+01:00) Athens, Istanbul, Minsk",
    "(+01:00) Bucharest, Cairo, Jerusalem, Harare, Pretoria",
    "(+01:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius",
    "(+02:00) Baghdad, Kuwait, Riyadh",
    "(+02:00) Moscow, Nairobi, St. Petersburg, Volgograd",
    "(+02:30) Tehran",
    "(+03:00) Abu Dhabi, Baku, Muscat, Tbilisi, Yerevan",
    "(+03:30) Kabul",
    "(+04:00) Ekaterinburg, Islamabad, Karachi, Tashkent",
    "(+04:30) Chennai, Kolkata, Mumbai, New Delhi",
    "(+04:45) Kathmandu",
    "(+05:00) Almaty, Astana, Dhaka, Novosibirsk",
    "(+05:00) Sri Jayawardenepura",
    "(+05:30) Rangoon",
    "(+06:00) Bangkok, Hanoi, Jakarta, Krasnoyarsk",
    "(+07:00) Beijing, Chongqing, Hong Kong, Urumqi",
    "(+07:00) Irkutsk, Ulaan Bataar",
    "(+07:00) Quala Lumpur, Perth, Singapore, Taipei",
    "(+08:00) Osaka, Sapporo, Seoul, Tokyo, Yakutsk",
    "(+08:30) Adelaide, Darwin",
    "(+09:00) Brisbon, Canberra, Melbourne, Sydney",
    "(+09:00) Guam, Hobart, Port Moresby, Vladivostok",
    "(+10:00) Magadam, New Caledonia, Solomon Is.",
    "(+11:00) Aukland, Wellington",
    "(+11:00) Fiji, Kamchatka, Marshall Is.",
    "(+12:00) Nuku'alofa",
};

}  // namespace

std::span<const char* const> TimeZoneEntries() { return kEntries; }

double TimeDifferenceFromZone(const QString& figure) {
  const double sign = figure.startsWith(QLatin1Char('-')) ? -1.0 : 1.0;
  const int hours = figure.mid(1, 2).toInt();
  const int minutes = figure.mid(4, 2).toInt();
  return (minutes / 60.0 + hours) * sign;
}

int16_t DefaultTimeDifference(int32_t utc_offset_minutes) {
  // nearbyint rounds a half to the even neighbour in the default rounding mode.
  return static_cast<int16_t>(std::nearbyint((utc_offset_minutes - 60) / 60.0));
}

double MachineTimeDifference(int32_t utc_offset_minutes) {
  const double exact = (utc_offset_minutes - 60) / 60.0;
  for (const char* entry : kEntries)
    if (TimeDifferenceFromZone(QLatin1String(entry).mid(1, 6)) == exact) return exact;
  return DefaultTimeDifference(utc_offset_minutes);
}

QString ZonePrefix(int16_t hours) {
  const QChar sign = hours > 0 ? QLatin1Char('+') : hours < 0 ? QLatin1Char('-') : QLatin1Char(' ');
  const QString digits = (QStringLiteral("00") + QString::number(std::abs(hours))).right(2);
  return QLatin1Char('(') + sign + digits + QStringLiteral(":00)");
}

}  // namespace pitchlog
