// Code page 932 conversion through iconv, for the maker built to run on the
// build machine.
#include "tools/zlq/encoder.h"

#include <iconv.h>

#include <memory>

namespace zlq {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> operator()(std::string_view in)
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return std::nullopt;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // reset the state
        std::string src(in);
        std::string out(in.size() * 4 + 8, '\0');
        char* inPtr = src.data();
        std::size_t inLeft = src.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
            return std::nullopt;
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

CharEncoder Cp932Encoder()
{
    auto toSjis = std::make_shared<Converter>("CP932", "UTF-8");
    auto back = std::make_shared<Converter>("UTF-8", "CP932");
    return [toSjis, back](std::string_view utf8Char) -> std::optional<std::string> {
        std::optional<std::string> sjis = (*toSjis)(utf8Char);
        // Some characters map one way only (to a look-alike): refuse them.
        if (!sjis || (*back)(*sjis) != std::optional<std::string>(std::string(utf8Char)))
            return std::nullopt;
        return sjis;
    };
}

} // namespace zlq
