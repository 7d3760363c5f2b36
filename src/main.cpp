#include "windows/application.h"

int main(int argc, char** argv) {
    return tallyworth::RunApplication(argc, argv);
}
