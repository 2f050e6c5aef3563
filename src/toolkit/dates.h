// Dates as texts under a mask: %dd day, %mm month, %yyyy year, %hh hour (24-hour clock),
// %ii minute, %ss second; every other character of the mask stands for itself.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system.h"

namespace toolkit {

// Seconds since 1970-01-01 00:00 of the date and time the text gives under the mask. The empty
// text, a text that does not follow the mask and an impossible date (31.02., month 13) give 0.
std::int64_t ParseDate(const std::string& mask, const std::string& text);

// The date of a number of seconds since 1970-01-01 written under the mask.
std::string FormatDate(const std::string& mask, std::int64_t seconds);
std::string FormatDate(const std::string& mask, const platform::LocalDateTime& time);

}  // namespace toolkit
