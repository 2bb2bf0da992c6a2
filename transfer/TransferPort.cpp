#include "transfer/TransferPort.h"

#include "serial/CommPort.h"

namespace {
constexpr uint8_t DataBits = 8;
constexpr uint8_t NoParity = 0;
constexpr uint8_t OneStopBit = 0;
} // namespace

void configureTransferPort(TCommPort& port, const std::string& portName, uint32_t baudRate) {
    port.SetPort(portName);
    port.SetBaudRate(baudRate);
    port.SetByteSize(DataBits);
    port.SetParity(NoParity);
    port.SetStopBits(OneStopBit);
}
