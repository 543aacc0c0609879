#include "tools/zlq/make.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/zlq/source.h"
#include "tools/zlq/writer.h"

namespace zlq {

int Make(const std::filesystem::path& source, const std::filesystem::path& output, std::ostream& err)
{
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        err << "zlq: cannot open " << PathText(source) << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        err << "zlq: cannot read " << PathText(source) << "\n";
        return 1;
    }

    const ParseResult parsed = ParseSource(text.str(), Cp932Encoder());
    if (!parsed.problems.empty()) {
        for (const Problem& p : parsed.problems)
            err << PathText(source) << ":" << p.line << ": " << p.message << "\n";
        err << "zlq: " << parsed.problems.size() << (parsed.problems.size() == 1 ? " problem" : " problems")
            << "; " << PathText(output) << " was not written\n";
        return 1;
    }

    std::string error;
    if (!WriteFileReplacing(output, BuildQuizFile(parsed.quiz), error)) {
        err << "zlq: " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace zlq
