// usage: kstred_write_icon SIZE OUT.png
// Draws the program's icon for the desktop icon theme at build time, so no
// picture is kept in the sources.
#include <cstdlib>
#include <iostream>

#include "qt/app_icon.hpp"

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 1 || size > 1024) {
        std::cerr << "usage: kstred_write_icon SIZE OUT.png\n";
        return 2;
    }
    if (!kestrel::qt::appIconImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::cerr << "kstred_write_icon: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
