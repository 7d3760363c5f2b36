#include "main/application.h"

int main(int argc, char** argv) {
    return tallyworth::RunApplication(argc, argv);
}
