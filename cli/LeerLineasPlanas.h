#pragma once
// The plain text that `cifrar` turns into a data file, line by line.
#include <string>
#include <vector>

namespace tarvelon {

// A text file that `cifrar` cannot turn into the data file it stands for;
// the reason names the file and the line.
struct ErrorTexto {
    std::string motivo;
};

// Plain lines of a text file for `cifrar`: UTF-8 (an initial byte-order mark
// dropped) or UTF-16 with its mark; LF or CR LF ends. Every line must become
// Windows-1252 as it is: a byte that is not UTF-8, a character Windows-1252
// cannot hold (it would be stored as "?"), a zero byte or the pair that is
// stored as CR LF (it would split the line) is refused with its line.
std::vector<std::string> LeerLineasPlanas(const std::string& ruta);

}  // namespace tarvelon
