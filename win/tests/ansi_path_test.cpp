// The form of a path a program of code page 932 receives: the path as it is,
// short names for just the components the code page cannot carry (looked up
// under their real folders), or none at all; never a changed path. With a
// stand-in code page and a stand-in for the file system's short names.
#include "win/ansi_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

using ansi_path::Form;

TEST(AnsiPath, ExactShortOrNone)
{
    // The stand-in code page carries ASCII and Japanese text only.
    const auto encodable = [](std::wstring_view text) {
        return std::ranges::all_of(text, [](wchar_t c) { return c < 0x80 || (c >= 0x3000 && c <= 0x9FFF); });
    };
    // Short forms as the file system gives them: every long component
    // shortened. A path missing here does not exist; on D: short names are
    // off, and the long names come back.
    const std::map<std::wstring, std::wstring> shortNames = {
        {L"C:\\Program Files\\クイズ\\café.zlq", L"C:\\PROGRA~1\\クイズ\\CAFE~1.ZLQ"},
        {L"C:\\Données", L"C:\\DONNE~1"},
        {L"C:\\Données\\café", L"C:\\DONNE~1\\CAFE~1"},
        {L"C:\\Données\\한국어.zlq", L"C:\\DONNE~1\\___~1.ZLQ"},
        {L"C:/Données", L"C:\\DONNE~1"},
        {L"C:/Données/naïve", L"C:\\DONNE~1\\NAVE~1"},
        {L"C:\\Ésope", L"C:\\ÉSOPE~1"}, // a short form the code page cannot carry either
        {L"D:\\Données", L"D:\\Données"},
    };
    const auto shortPathOf = [&](const std::wstring& path) {
        return shortNames.contains(path) ? shortNames.at(path) : std::wstring();
    };
    const struct {
        std::wstring path;
        Form form;
        std::wstring chosen;
    } cases[] = {
        {L"C:\\クイズ\\a.zlq", Form::Exact, L"C:\\クイズ\\a.zlq"},
        {L"", Form::Exact, L""},
        // Only what the code page cannot carry is replaced, folders on the way too.
        {L"C:\\Program Files\\クイズ\\café.zlq", Form::Short, L"C:\\Program Files\\クイズ\\CAFE~1.ZLQ"},
        {L"C:\\Données\\新規.zlq", Form::Short, L"C:\\DONNE~1\\新規.zlq"},
        {L"C:\\Données\\café\\x.zlq", Form::Short, L"C:\\DONNE~1\\CAFE~1\\x.zlq"},
        {L"C:\\Données\\한국어.zlq", Form::Short, L"C:\\DONNE~1\\___~1.ZLQ"},
        // Separators of both kinds and a trailing one are kept.
        {L"C:/Données/naïve/", Form::Short, L"C:/DONNE~1/NAVE~1/"},
        // A new name, a short form the code page cannot carry, no short names.
        {L"C:\\Données\\new😀.zlq", Form::None, L""},
        {L"C:\\Ésope\\a.zlq", Form::None, L""},
        {L"D:\\Données\\a.zlq", Form::None, L""},
    };
    for (const auto& c : cases) {
        const ansi_path::Choice choice = ansi_path::Choose(c.path, encodable, shortPathOf);
        EXPECT_TRUE(choice.form == c.form && choice.path == c.chosen) << c.path << " gave " << choice.path;
    }
}

} // namespace
