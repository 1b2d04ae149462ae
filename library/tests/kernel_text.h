// Reads a captured kernel file from the test fixtures.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

inline std::string fixture(const std::string &name) {
    std::ifstream in(std::string(QZ_FIXTURES) + "/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("missing fixture " + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
