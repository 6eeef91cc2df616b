// A test engine that lacks Vorn_GetTables, as an engine of an older make might.
#include "engine/vorn_abi.h"

extern "C" {

int16_t Vorn_InitializeVorn(const char*) {
  return 0;
}
int16_t Vorn_Set_Vorndata(const char*) {
  return 0;
}
int16_t Vorn_RateShipment(unsigned char*) {
  return 0;
}
void Vorn_EndVorn(void) {}
}
