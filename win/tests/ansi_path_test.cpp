// The choice between a path as it is, with short names, or none, with a
// stand-in code page and a stand-in for the file system's short names.
#include "win/ansi_path.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using ansi_path::Form;

// The stand-in code page carries ASCII and Japanese text only.
bool Encodable(std::wstring_view text)
{
    for (wchar_t c : text)
        if (c >= 0x80 && !(c >= 0x3000 && c <= 0x9FFF))
            return false;
    return true;
}

// Short forms as the file system gives them: every long component
// shortened, not only the ones the code page cannot carry. A path missing
// from the table does not exist.
class ShortNames {
public:
    explicit ShortNames(std::map<std::wstring, std::wstring> table) : table_(std::move(table)) {}
    std::wstring operator()(const std::wstring& path)
    {
        asked.push_back(path);
        auto it = table_.find(path);
        return it == table_.end() ? L"" : it->second;
    }
    std::vector<std::wstring> asked;

private:
    std::map<std::wstring, std::wstring> table_;
};

ansi_path::Choice Choose(const std::wstring& path, ShortNames& names)
{
    return ansi_path::Choose(path, &Encodable, [&](const std::wstring& p) { return names(p); });
}

TEST(AnsiPath, ExactShortOrNone)
{
    ShortNames names({
        {L"C:\\Program Files\\クイズ\\café.zlq", L"C:\\PROGRA~1\\クイズ\\CAFE~1.ZLQ"},
        {L"C:\\Données", L"C:\\DONNE~1"},
        {L"C:\\Données\\한국어.zlq", L"C:\\DONNE~1\\___~1.ZLQ"},
        {L"C:/Données", L"C:\\DONNE~1"},
        {L"C:/Données/naïve", L"C:\\DONNE~1\\NAVE~1"},
        // A name whose short form the code page cannot carry either.
        {L"C:\\Ésope", L"C:\\ÉSOPE~1"},
    });
    struct Case {
        std::wstring path;
        Form form;
        std::wstring expected;
    } cases[] = {
        {L"C:\\クイズ\\a.zlq", Form::Exact, L"C:\\クイズ\\a.zlq"},
        {L"", Form::Exact, L""},
        // Only the component the code page cannot carry is replaced; the
        // others keep their real names.
        {L"C:\\Program Files\\クイズ\\café.zlq", Form::Short, L"C:\\Program Files\\クイズ\\CAFE~1.ZLQ"},
        // A folder on the way, and both at once.
        {L"C:\\Données\\新規.zlq", Form::Short, L"C:\\DONNE~1\\新規.zlq"},
        {L"C:\\Données\\한국어.zlq", Form::Short, L"C:\\DONNE~1\\___~1.ZLQ"},
        // Separators of both kinds and a trailing one are kept.
        {L"C:/Données/naïve/", Form::Short, L"C:/DONNE~1/NAVE~1/"},
        // A new name the code page cannot write: nothing to look up.
        {L"C:\\Données\\new😀.zlq", Form::None, L""},
        {L"C:\\Ésope\\a.zlq", Form::None, L""},
    };
    for (const Case& c : cases) {
        ansi_path::Choice choice = Choose(c.path, names);
        EXPECT_EQ(choice.form, c.form) << c.path;
        EXPECT_EQ(choice.path, c.expected) << c.path;
    }
}

TEST(AnsiPath, LooksUpRealFoldersAndNothingWhenShortNamesAreOff)
{
    // Each short name is looked up under the real names of its folders,
    // and only for the components that need one.
    ShortNames on({{L"D:\\Données", L"D:\\DONNE~1"}, {L"D:\\Données\\café", L"D:\\DONNE~1\\CAFE~1"}});
    EXPECT_EQ(Choose(L"D:\\Données\\café\\x.zlq", on).path, L"D:\\DONNE~1\\CAFE~1\\x.zlq");
    EXPECT_EQ(on.asked, (std::vector<std::wstring>{L"D:\\Données", L"D:\\Données\\café"}));

    // A volume without short names gives the long names back.
    ShortNames off({{L"D:\\Données", L"D:\\Données"}, {L"D:\\café.zlq", L"D:\\café.zlq"}});
    for (const wchar_t* path : {L"D:\\Données\\a.zlq", L"D:\\café.zlq"}) {
        ansi_path::Choice choice = Choose(path, off);
        EXPECT_EQ(choice.form, Form::None) << path;
        EXPECT_EQ(choice.path, L"") << path;
    }
}

} // namespace
