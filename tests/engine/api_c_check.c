/* Compiled as C: the contract header must stay valid C for any engine. */
#include <mirelo/engine_api.h>

int mirelo_api_c_check(void) { return (int)sizeof(RecordParams); }
