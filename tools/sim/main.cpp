// vorn-sim [--data DIR] [--seed N] [--level L] [--frames N] [--input FILE] [--name NAME] [--record FILE]
// vorn-sim [--data DIR] --replay FILE [--verify]
#include <iostream>
#include <stdexcept>

#include "Simulator.h"

int main(int argc, char** argv) {
    try {
        auto options = vorn::sim::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
        return vorn::sim::run(options, std::cout, std::cerr);
    } catch (const std::invalid_argument& e) {
        std::cerr
            << "vorn-sim: " << e.what() << "\n"
            << "usage: vorn-sim [--data DIR] [--seed N] [--level L] [--frames N] [--input FILE] [--name NAME]"
               " [--record FILE]\n"
               "       vorn-sim [--data DIR] --replay FILE [--verify]\n";
        return 2;
    }
}
