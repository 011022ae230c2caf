// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sub-commands of glimdict. Each takes the arguments that follow the sub-command's name and
// returns the process exit status.
int RunBuild(int argc, char** argv);
int RunInfo(int argc, char** argv);  // argv[0] is the dictionary file
int RunWords(int argc, char** argv);
int RunLookup(int argc, char** argv);
int RunDefine(int argc, char** argv);
