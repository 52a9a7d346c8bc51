// The program tqr417: the TQR-417 setup application.

#include "framework/win_app.h"

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
