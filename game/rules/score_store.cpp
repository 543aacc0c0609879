#include "game/rules/score_store.h"

#include "game/rules/text.h"
#include "game/rules/wide.h"
#include "win/cp932.h"
#include "win/registry.h"

namespace rules {

namespace {

const wchar_t kSettingsRoot[] = L"Software\\VB and VBA Program Settings\\Vemo\\";

std::wstring KeyName(const wchar_t* stem, int place)
{
    return stem + std::to_wstring(place);
}

RankTable ReadTable(const win::RegKey& key, Mode mode)
{
    const wchar_t* nameStem = mode == Mode::QuickPress ? L"NameT" : L"NameE";
    const wchar_t* scoreStem = mode == Mode::QuickPress ? L"ScoreT" : L"ScoreE";
    RankTable table = DefaultTable(mode);
    if (!key)
        return table;
    for (int p = 1; p <= kPlaces; ++p) {
        RankEntry& entry = table[static_cast<std::size_t>(p - 1)];
        if (auto name = key.ReadString(KeyName(nameStem, p)))
            entry.name = U16(*name);
        if (auto score = key.ReadString(KeyName(scoreStem, p)))
            entry.score = ParseScore(U16(*score));
    }
    return table;
}

void MakeFixedWidth(RankTable& table)
{
    for (RankEntry& entry : table)
        entry.name = U16(FixedWidthName(Wide(entry.name)));
}

} // namespace

std::wstring ScoreKeyPath(std::wstring_view quizFileName)
{
    return kSettingsRoot + std::wstring(quizFileName);
}

std::wstring FixedWidthName(std::wstring_view name)
{
    return cp932::ToWide(rules::FixedWidthName(cp932::FromWide(name)));
}

Rankings GetScore(std::wstring_view quizFileName)
{
    const win::RegKey key = win::RegKey::Open(HKEY_CURRENT_USER, ScoreKeyPath(quizFileName));
    Rankings rankings{ReadTable(key, Mode::Relaxed), ReadTable(key, Mode::QuickPress)};
    for (RankEntry& entry : rankings.relaxed) {
        const std::size_t end = entry.name.find_last_not_of(u' ');
        entry.name.erase(end == std::u16string::npos ? 0 : end + 1);
    }
    MakeFixedWidth(rankings.relaxed);
    MakeFixedWidth(rankings.quickPress);
    return rankings;
}

bool SetScore(std::wstring_view quizFileName, Rankings& rankings)
{
    MakeFixedWidth(rankings.relaxed);
    MakeFixedWidth(rankings.quickPress);
    const win::RegKey key = win::RegKey::Create(HKEY_CURRENT_USER, ScoreKeyPath(quizFileName));
    if (!key)
        return false;
    bool ok = true;
    for (Mode mode : {Mode::Relaxed, Mode::QuickPress}) {
        const RankTable& table = rankings.Of(mode);
        const wchar_t* nameStem = mode == Mode::QuickPress ? L"NameT" : L"NameE";
        const wchar_t* scoreStem = mode == Mode::QuickPress ? L"ScoreT" : L"ScoreE";
        for (int p = 1; p <= kPlaces; ++p)
            ok = key.WriteString(KeyName(nameStem, p), Wide(table[static_cast<std::size_t>(p - 1)].name)) && ok;
        for (int p = 1; p <= kPlaces; ++p)
            ok = key.WriteString(KeyName(scoreStem, p), Wide(Digits(table[static_cast<std::size_t>(p - 1)].score))) && ok;
    }
    return ok;
}

} // namespace rules
