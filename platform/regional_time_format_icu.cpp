#include "regional_time_format_icu.h"

#include <cstring>
#include <memory>
#include <string>

#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>
#include <unicode/ures.h>

#include "icu_pattern.h"
#include "locale_name.h"

namespace mirt2 {
namespace {

// DateFormat reports nothing when it falls back, so ask the resource bundle:
// an unknown language falls back to the default locale (and says so), an
// unknown region merely to its language, which is still the user's choice.
bool IcuHasDataFor(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  icu::LocalUResourceBundlePointer bundle(ures_open(nullptr, locale.getName(), &status));
  if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING) return false;
  const char* actual = ures_getLocaleByType(bundle.getAlias(), ULOC_ACTUAL_LOCALE, &status);
  return U_SUCCESS(status) && actual != nullptr && *actual != '\0' &&
         std::strcmp(actual, "root") != 0;
}

std::string ToUtf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

}  // namespace

std::optional<RegionalTimeFormat> IcuTimeFormat(std::string_view locale_name) {
  const icu::Locale locale(std::string(locale_name).c_str());
  if (locale.isBogus() || !IcuHasDataFor(locale)) return std::nullopt;

  const std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
  const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format.get());
  if (simple == nullptr) return std::nullopt;

  icu::UnicodeString icu_pattern;
  simple->toPattern(icu_pattern);
  std::optional<std::string> pattern = TranslateIcuTimePattern(ToUtf8(icu_pattern));
  if (!pattern) return std::nullopt;

  // The formatter's own symbols, so the designators are the ones it would write.
  const icu::DateFormatSymbols* symbols = simple->getDateFormatSymbols();
  if (symbols == nullptr) return std::nullopt;
  int32_t count = 0;
  const icu::UnicodeString* am_pm = symbols->getAmPmStrings(count);
  if (am_pm == nullptr || count < 2) return std::nullopt;

  return RegionalTimeFormat{std::move(*pattern), ToUtf8(am_pm[0]), ToUtf8(am_pm[1])};
}

std::optional<RegionalTimeFormat> LookUpRegionalTimeFormat() {
  const std::optional<std::string> name = TimeLocaleNameFromEnvironment();
  if (!name) return std::nullopt;
  return IcuTimeFormat(*name);
}

}  // namespace mirt2
