#include "win/cp932.h"

#include <windows.h>

namespace cp932 {

std::wstring ToWide(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    int n = MultiByteToWideChar(kCodePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kCodePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::wstring ToWide(const char* nulTerminated)
{
    return ToWide(sjis::FromCString(nulTerminated));
}

std::string FromWide(std::wstring_view text)
{
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::optional<std::string> FromWideExact(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                &usedDefault);
    if (n <= 0 || usedDefault)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), n, nullptr, &usedDefault);
    // The round trip catches what the default-character flag does not
    // report (an unpaired surrogate, a character the table maps one way).
    if (usedDefault || ToWide(out) != text)
        return std::nullopt;
    return out;
}

bool CanEncode(std::wstring_view text)
{
    return FromWideExact(text).has_value();
}

std::size_t ByteLength(std::wstring_view text)
{
    return FromWide(text).size();
}

std::wstring CutToBytes(std::wstring_view text, std::size_t maxBytes)
{
    std::string bytes = FromWide(text);
    if (bytes.size() <= maxBytes)
        return std::wstring(text);
    return ToWide(sjis::CutToBytes(bytes, maxBytes));
}

} // namespace cp932
