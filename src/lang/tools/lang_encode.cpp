// Build step: writes a UTF-8 language source as the code page 1251 file the
// program reads. Fails on a character that code page 1251 cannot hold, so a
// typo never reaches the program folder as "?".
#include "platform/text/cp1251.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lang_encode SOURCE.utf8 TARGET\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "lang_encode: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string bytes = text::utf8ToCp1251(utf8);
    if (text::cp1251ToUtf8(bytes) != utf8) {
        // Report the first line that does not survive the round trip.
        std::string::size_type lineStart = 0;
        int line = 1;
        for (std::string::size_type end; (end = utf8.find('\n', lineStart)) != std::string::npos || lineStart < utf8.size();
             lineStart = end + 1, ++line) {
            if (end == std::string::npos)
                end = utf8.size();
            const std::string piece = utf8.substr(lineStart, end - lineStart);
            if (text::cp1251ToUtf8(text::utf8ToCp1251(piece)) != piece) {
                std::cerr << argv[1] << ":" << line << ": not representable in code page 1251: " << piece << "\n";
                break;
            }
        }
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        std::cerr << "lang_encode: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
