/* The five entry points of the rating engine library (libvorn.so), with C linkage.
 *
 * Any engine that exports these five names over the two records of engine/engine_record.h
 * can take the library's place. The program resolves them by name at run time and makes
 * one call at a time, from one thread, in this order: Vorn_InitializeVorn, Vorn_Set_Vorndata,
 * any number of Vorn_RateShipment and Vorn_GetTables, then Vorn_EndVorn.
 *
 * - Paths are NUL-terminated single-byte strings: the program directory followed by the
 *   directory separator ("/opt/tarvex/").
 * - A record pointer addresses the whole record, exactly VORN_ENGINE_RECORD_LENGTH or
 *   VORN_TABLE_RECORD_LENGTH bytes, which the engine reads and writes in place and never
 *   beyond. The program takes over every byte on return.
 * - The outcome of a rating, lane check or mileage request is the return code H2 in the
 *   record (blank on success); the values returned by Vorn_RateShipment and Vorn_GetTables
 *   are not acted on by the program (0 by convention).
 * - No exception and no signal crosses the boundary, whatever the records hold.
 */
#ifndef TARVEX_ENGINE_VORN_ABI_H
#define TARVEX_ENGINE_VORN_ABI_H

#include <stdint.h>

#define VORN_ENGINE_RECORD_LENGTH 2160
#define VORN_TABLE_RECORD_LENGTH 224

/* Vorn_InitializeVorn: a program replacing the engine's files (the data kit) holds them.
 * Readers share the files: any number of programs may have the engine initialised. */
#define VORN_STATUS_FILES_LOCKED 10

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the engine's own files under engine_path for reading; 0 on success,
 * VORN_STATUS_FILES_LOCKED while a writer holds them, another documented status when they
 * are unusable. */
int16_t Vorn_InitializeVorn(const char* engine_path);

/* Loads the tariffs under data_path; the status is kept by the program but not acted on. */
int16_t Vorn_Set_Vorndata(const char* data_path);

/* Answers a rating, lane check or mileage request in the engine record. */
int16_t Vorn_RateShipment(unsigned char* engine_record);

/* Fills the tariff's choices K1 ... K4 for the request K5, K6 in the table record. */
int16_t Vorn_GetTables(unsigned char* table_record);

/* Releases the engine's files and everything it holds. */
void Vorn_EndVorn(void);

typedef int16_t (*Vorn_InitializeVorn_Fn)(const char*);
typedef int16_t (*Vorn_Set_Vorndata_Fn)(const char*);
typedef int16_t (*Vorn_RateShipment_Fn)(unsigned char*);
typedef int16_t (*Vorn_GetTables_Fn)(unsigned char*);
typedef void (*Vorn_EndVorn_Fn)(void);  // NOLINT(modernize-redundant-void-arg): C too

#ifdef __cplusplus
}
#endif

#endif /* TARVEX_ENGINE_VORN_ABI_H */
