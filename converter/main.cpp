// Halvane: interpolates sigma-t given on level surfaces onto the vertical
// levels of every node of a finite-element mesh and writes the baroclinic
// 3-D real field (.s3r). The whole run is a terminal dialogue.

#include "converter_driver.h"
#include "run_errors.h"
#include "terminal.h"

#include <exception>
#include <iostream>

int main() {
    try {
        halvane::Terminal terminal(std::cin, std::cout);
        halvane::run_conversion(terminal);
        std::cout.flush();
        return 0;
    } catch (const halvane::CapacityStop&) {
        std::cout.flush();
        return halvane::CapacityStop::exit_status;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "halvane: " << e.what() << '\n';
        return 2;
    }
}
