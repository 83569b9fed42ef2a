#include "devport/DevicePorts.h"

#include "devport/CPortCom.h"
#include "devport/CPortUsb.h"

DevicePorts DevicePorts::Process() {
    return {CPortUsb::GetInstance(), CPortCom::GetInstance()};
}
