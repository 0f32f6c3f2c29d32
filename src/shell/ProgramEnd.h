// How the program ends when the engine meets an error it cannot go on
// from ("Unable to open file ..."): the data layer has already shown the
// message, so the program only stops, with exit code 1.
#ifndef SHELL_PROGRAMEND_H
#define SHELL_PROGRAMEND_H

// Installs the engine's fatal-error hook that ends the program.
void InstallFatalHook();

#endif  // SHELL_PROGRAMEND_H
