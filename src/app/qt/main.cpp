#include "app/qt/application.h"

int main(int argc, char** argv) { return quenzar::runApplication(argc, argv); }
