#include "about/about_text.h"

#include "base/program_state.h"
#include "base/text_value.h"
#include "resources/version.h"

#include <algorithm>

namespace brelvix {
namespace {

constexpr wchar_t kCR = L'\r';
constexpr wchar_t kAuthor[] = L"the Brelvix developers";
constexpr wchar_t kLocation[] = L"Made in Europe, for Windows";
// Room between the mail address and the web prompt on the link line.
constexpr std::size_t kGapAfterMail = 12;

std::wstring VersionText() {
    std::wstring revision;
    if (BRELVIX_VERSION_BUILD >= 1) {
        revision = L"." + std::to_wstring(BRELVIX_VERSION_BUILD);
    }
    return std::to_wstring(BRELVIX_VERSION_MAJOR) + L"." + std::to_wstring(BRELVIX_VERSION_MINOR) +
           revision;
}

// The empty lines around the comment: a comment with CRs brings its own, so
// that the mail prompt stays on line 7.
struct CommentLines {
    std::wstring lead, block, tail;
};

CommentLines ArrangeComment(std::wstring_view comment) {
    if (TrimBlanks(comment).empty() || comment.front() == kCR) {
        return {{kCR}, {kCR}, {kCR}};
    }
    int crs = CountCR(comment);
    std::wstring block(comment);
    if (crs >= 2) {
        return {L"", block + kCR, L""};
    }
    return {L"", block + kCR + kCR, crs == 0 ? std::wstring{kCR} : L""};
}

} // namespace

int CountCR(std::wstring_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), kCR));
}

std::wstring BuildAboutText(std::wstring_view comment) {
    const ProgramState& p = Program();
    CommentLines lines = ArrangeComment(comment);
    std::wstring mail = kMailAddress;
    std::wstring web = kWebAddress;
    return lines.lead + p.AppTitle + L"  \u2013  version " + VersionText() + kCR + lines.block +
           L"Copyright (C) " + p.CreditsYears + L" " + kAuthor + kCR + kLocation + kCR +
           lines.tail + L"for comments or bugs send e-mail to address:" + kCR +
           std::wstring(mail.size() + kGapAfterMail, L' ') + L"or check for updates on the web:" +
           kCR + std::wstring(web.size(), L' ');
}

std::wstring LinkTarget(AboutLink link) {
    return link == AboutLink::Mail ? std::wstring(L"mailto:") + kMailAddress : kWebAddress;
}

} // namespace brelvix
