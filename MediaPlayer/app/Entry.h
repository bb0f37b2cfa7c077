#pragma once

// The program's entry operation and the start-up and shutdown steps around the loop.
int wWinMain(int argc, char* argv[]);
bool initMainWindow();
bool createChildWindows();
void exitApp();

// The command line: the program's arguments joined by single spaces.
class QString;
QString commandLineOf(int argc, char* argv[]);
