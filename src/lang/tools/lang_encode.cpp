// Build step: writes the phrase sources of one language (UTF-8 fragments, one
// per subsystem, concatenated in the order given) as the code page 1251 file
// the program reads. Fails on a character that code page 1251 cannot hold, so
// a typo never reaches the program folder as "?".
//
//   lang_encode TARGET SOURCE...          encode and concatenate
//   lang_encode --parallel DIR_A DIR_B    check that same-named fragments of
//                                         two languages hold as many phrases
#include "platform/text/cp1251.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Phrases are the lines that are not blank once trimmed, as the program counts them.
int countPhrases(const std::string& text) {
    int count = 0;
    std::string::size_type start = 0;
    while (start <= text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        for (std::string::size_type i = start; i < end; ++i) {
            if (static_cast<unsigned char>(text[i]) > 32) {
                ++count;
                break;
            }
        }
        start = end + 1;
    }
    return count;
}

// Reports the first line that does not survive the round trip through code page 1251.
bool checkRepresentable(const std::string& path, const std::string& utf8) {
    if (text::cp1251ToUtf8(text::utf8ToCp1251(utf8)) == utf8)
        return true;
    std::string::size_type lineStart = 0;
    int line = 1;
    while (lineStart < utf8.size()) {
        std::string::size_type end = utf8.find('\n', lineStart);
        if (end == std::string::npos)
            end = utf8.size();
        const std::string piece = utf8.substr(lineStart, end - lineStart);
        if (text::cp1251ToUtf8(text::utf8ToCp1251(piece)) != piece) {
            std::cerr << path << ":" << line << ": not representable in code page 1251: " << piece << "\n";
            break;
        }
        lineStart = end + 1;
        ++line;
    }
    return false;
}

int checkParallel(const std::filesystem::path& a, const std::filesystem::path& b) {
    int failures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(a)) {
        if (entry.path().extension() != ".txt")
            continue;
        const auto other = b / entry.path().filename();
        std::string textA, textB;
        if (!readFile(entry.path().string(), textA) || !readFile(other.string(), textB)) {
            std::cerr << "lang_encode: " << other.string() << " is missing beside " << entry.path().string() << "\n";
            ++failures;
            continue;
        }
        const int countA = countPhrases(textA), countB = countPhrases(textB);
        if (countA != countB) {
            std::cerr << "lang_encode: " << entry.path().string() << " holds " << countA << " phrases, "
                      << other.string() << " " << countB << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--parallel")
        return checkParallel(argv[2], argv[3]);
    if (argc < 3) {
        std::cerr << "usage: lang_encode TARGET SOURCE...\n       lang_encode --parallel DIR_A DIR_B\n";
        return 2;
    }
    std::string bytes;
    for (int i = 2; i < argc; ++i) {
        std::string utf8;
        if (!readFile(argv[i], utf8)) {
            std::cerr << "lang_encode: cannot read " << argv[i] << "\n";
            return 1;
        }
        if (!checkRepresentable(argv[i], utf8))
            return 1;
        if (!utf8.empty() && utf8.back() != '\n')
            utf8 += '\n';
        bytes += text::utf8ToCp1251(utf8);
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        std::cerr << "lang_encode: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
