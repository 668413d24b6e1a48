#pragma once

#include <string>
#include <vector>

// Addresses in a line of text, neighbours joined: "1, 3–6, 8". The addresses
// in ascending order, each once.
std::string AddressRangesText(const std::vector<int>& addresses);
