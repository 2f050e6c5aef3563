#include "toolkit/dates.h"

namespace toolkit {
namespace {

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar, and back.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

platform::LocalDateTime CivilFromSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  platform::LocalDateTime time;
  time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  time.year = static_cast<int>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
  time.hour = static_cast<int>(rest / 3600);
  time.minute = static_cast<int>(rest % 3600 / 60);
  time.second = static_cast<int>(rest % 60);
  return time;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

struct Token {
  const char* text;
  int digits;
  int platform::LocalDateTime::*field;
};

constexpr Token kTokens[] = {
    {"%yyyy", 4, &platform::LocalDateTime::year}, {"%dd", 2, &platform::LocalDateTime::day},
    {"%mm", 2, &platform::LocalDateTime::month},  {"%hh", 2, &platform::LocalDateTime::hour},
    {"%ii", 2, &platform::LocalDateTime::minute}, {"%ss", 2, &platform::LocalDateTime::second},
};

const Token* TokenAt(const std::string& mask, std::size_t position) {
  for (const Token& token : kTokens) {
    if (mask.compare(position, std::char_traits<char>::length(token.text), token.text) == 0) {
      return &token;
    }
  }
  return nullptr;
}

void AppendDigits(std::string& text, int value, int digits) {
  char buffer[8];
  for (int i = digits - 1; i >= 0; --i) {
    buffer[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  text.append(buffer, static_cast<std::size_t>(digits));
}

}  // namespace

std::int64_t ParseDate(const std::string& mask, const std::string& text) {
  platform::LocalDateTime time{1970, 1, 1, 0, 0, 0};
  std::size_t at = 0;
  for (std::size_t m = 0; m < mask.size();) {
    if (const Token* token = TokenAt(mask, m)) {
      int value = 0;
      for (int i = 0; i < token->digits; ++i, ++at) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9') return 0;
        value = value * 10 + (text[at] - '0');
      }
      time.*(token->field) = value;
      m += std::char_traits<char>::length(token->text);
    } else {
      if (at >= text.size() || text[at] != mask[m]) return 0;
      ++at;
      ++m;
    }
  }
  if (at != text.size()) return 0;
  if (time.month < 1 || time.month > 12 || time.day < 1 ||
      time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59 ||
      time.second > 59) {
    return 0;
  }
  return DaysFromCivil(time.year, time.month, time.day) * 86400 + time.hour * 3600 +
         time.minute * 60 + time.second;
}

std::string FormatDate(const std::string& mask, const platform::LocalDateTime& time) {
  std::string text;
  for (std::size_t m = 0; m < mask.size();) {
    if (const Token* token = TokenAt(mask, m)) {
      AppendDigits(text, time.*(token->field), token->digits);
      m += std::char_traits<char>::length(token->text);
    } else {
      text += mask[m++];
    }
  }
  return text;
}

std::string FormatDate(const std::string& mask, std::int64_t seconds) {
  return FormatDate(mask, CivilFromSeconds(seconds));
}

}  // namespace toolkit
