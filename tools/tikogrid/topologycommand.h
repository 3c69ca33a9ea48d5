#pragma once

// tikogrid topology (FILE | --builtin ID): the name lists of the grid's topology.
int topologycommand(int argc, char **argv);
