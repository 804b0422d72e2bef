#pragma once
// What the window and the command line say about the frequencies of the general version
// (country 4), written out once so both are held to the same words.

inline constexpr char kGeneralRanges[] =
    "This receiver's version (country 4, general) receives 0.1-620.9, 629.3-784.6, "
    "797.2-807.1, 819.7-824, 849-869, 894-1055.6, 1068.2-1078.1, 1090.7-1300 MHz, each range "
    "up to but not including its upper edge.";
