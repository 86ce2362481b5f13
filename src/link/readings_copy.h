#pragma once

struct CurrentReadings;
class TVelantar;

// Copies the decoded values into the current readings, as the receive tick does after
// every read, whether or not anything arrived. A two-component analyser has no CO2, O2 or
// lambda: they read 0, 1 and 0 whatever the mirror holds. A lambda of 2000 or more is no
// measurement and reads 0. With the mode indication on and the analyser reporting
// corrected CO in use, CO is the corrected value. The clock texts are not touched here.
void copyDecodedReadings(const TVelantar &analyser, bool modeIndication, CurrentReadings &readings);
