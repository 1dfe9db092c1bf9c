// What the About box says: its text and the addresses behind its two links.
#pragma once

#include <string>
#include <string_view>

namespace brelvix {

inline constexpr wchar_t kMailAddress[] = L"brelvix@example.org";
inline constexpr wchar_t kWebAddress[] = L"https://www.example.org/brelvix/";

// Number of carriage returns (code 13) in the text.
int CountCR(std::wstring_view text);

// The box's text, lines ended by a lone CR: title and version, the comment,
// the notice and location lines, the mail prompt, then two lines of blanks as
// wide as the addresses, which the link labels cover. Whatever the comment
// (empty, blanks, or up to two CRs) the links stay on lines 8 and 9.
std::wstring BuildAboutText(std::wstring_view comment);

enum class AboutLink { Mail, Web };

// What the shell is asked to open for a link.
std::wstring LinkTarget(AboutLink link);

} // namespace brelvix
