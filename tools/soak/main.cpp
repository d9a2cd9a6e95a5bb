// vorn-soak [--data DIR] [--levels A-B] [--seeds N] [--frames N]
#include <iostream>
#include <stdexcept>

#include "Command.h"

int main(int argc, char** argv) {
    try {
        auto options = vorn::soak::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
        return vorn::soak::run(options, std::cout, std::cerr);
    } catch (const std::invalid_argument& e) {
        std::cerr << "vorn-soak: " << e.what() << "\n" << vorn::soak::kUsage << "\n";
        return 2;
    }
}
