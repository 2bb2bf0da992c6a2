#pragma once

#include <cstdint>
#include <string>

class TCommPort;

// The line settings of every transfer and of the online terminal: the port
// (a number of the port list, or a device path), the baud rate, 8 data bits,
// no parity, one stop bit. Throws ECommError from the port; the port stays
// closed.
void configureTransferPort(TCommPort& port, const std::string& portName, uint32_t baudRate);
