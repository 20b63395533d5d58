// SPDX-License-Identifier: MIT
// Tesseran: a Japanese four-hand trick-taking card game.
#include "app/CTorvelApp.h"

int main(int argc, char** argv) {
    tesseran::CTorvelApp application(argc, argv);
    if (!application.InitInstance()) return 0;
    return application.Run();
}
