#pragma once
// The device's private objects all live under one root. Tables write them as
// ZT_DEVICE_OID("2.1.1.1.1.2.1"); MIB-II objects are written out in full.
#define ZT_DEVICE_ROOT "1.3.6.1.4.1.48621.10.37.38"
#define ZT_DEVICE_OID(relative) ZT_DEVICE_ROOT "." relative
