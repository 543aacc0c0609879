#include "speech/transcript_format.h"

namespace speech::transcript {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp)
{
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t cp)
{
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(cp);
}

// Reads the code point at text[i] and advances i past it.
char32_t NextWide(std::wstring_view text, std::size_t& i)
{
    char32_t c = static_cast<char32_t>(text[i++]);
    if constexpr (sizeof(wchar_t) == 2) {
        c &= 0xFFFF;
        if (c >= 0xD800 && c <= 0xDBFF && i < text.size()) {
            char32_t low = static_cast<char32_t>(text[i]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++i;
                return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            }
        }
    }
    return c; // a lone surrogate is replaced when written
}

// Reads the code point at text[i] and advances i past it; a malformed
// sequence yields U+FFFD and skips one byte.
char32_t NextUtf8(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char b = byte(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    std::size_t len;
    char32_t cp;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + len > text.size()) {
        ++i;
        return kReplacement;
    }
    for (std::size_t k = 1; k < len; ++k) {
        unsigned char t = byte(i + k);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (t & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += len;
    return cp;
}

} // namespace

std::string ToUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        AppendUtf8(out, NextWide(text, i));
    return out;
}

std::wstring FromUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        AppendWide(out, NextUtf8(text, i));
    return out;
}

std::string EscapeField(std::wstring_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size();) {
        char32_t c = NextWide(field, i);
        switch (c) {
        case U'\\': out += "\\\\"; break;
        case U'\t': out += "\\t"; break;
        case U'\r': out += "\\r"; break;
        case U'\n': out += "\\n"; break;
        case static_cast<char32_t>(kMarkerChar): out += kMarkerText; break;
        default: AppendUtf8(out, c); break;
        }
    }
    return out;
}

std::wstring UnescapeField(std::string_view field)
{
    std::wstring out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size();) {
        if (field.compare(i, kMarkerText.size(), kMarkerText) == 0) {
            out += kMarkerChar;
            i += kMarkerText.size();
            continue;
        }
        if (field[i] == '\\' && i + 1 < field.size()) {
            wchar_t c = 0;
            switch (field[i + 1]) {
            case '\\': c = L'\\'; break;
            case 't': c = L'\t'; break;
            case 'r': c = L'\r'; break;
            case 'n': c = L'\n'; break;
            }
            if (c) {
                out += c;
                i += 2;
                continue;
            }
        }
        AppendWide(out, NextUtf8(field, i));
    }
    return out;
}

std::string FormatLine(std::initializer_list<std::wstring_view> fields)
{
    std::string line;
    bool first = true;
    for (std::wstring_view field : fields) {
        if (!first)
            line += '\t';
        first = false;
        line += EscapeField(field);
    }
    line += '\n';
    return line;
}

std::vector<std::wstring> ParseLine(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    std::vector<std::wstring> fields;
    for (;;) {
        std::size_t tab = line.find('\t');
        fields.push_back(UnescapeField(line.substr(0, tab)));
        if (tab == std::string_view::npos)
            break;
        line.remove_prefix(tab + 1);
    }
    return fields;
}

std::wstring RouteField(Route route)
{
    return L"[" + std::wstring(RouteName(route)) + L"]";
}

std::string_view SplitRouteField(std::string_view line, std::string_view* route)
{
    std::string_view body = line;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r'))
        body.remove_suffix(1);
    const std::size_t tab = body.rfind('\t');
    if (tab != std::string_view::npos) {
        const std::string_view last = body.substr(tab + 1);
        for (Route r : {Route::Nvda, Route::Jaws, Route::Uia, Route::Sapi, Route::Silent}) {
            if (last == ToUtf8(RouteField(r))) {
                if (route)
                    *route = last;
                return body.substr(0, tab);
            }
        }
    }
    if (route)
        *route = {};
    return line;
}

} // namespace speech::transcript
