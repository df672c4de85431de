/*
 * The test engine: a stand-in for libMirelo.so with the same contract
 * (<mirelo/engine_api.h>), built as tests/libMireloTestEngine.so. It captures
 * nothing; it answers from a script, writes every call with its arguments to
 * a trace, and raises callback events from a thread of its own.
 *
 * Point the program (or engineLoadFrom) at it:
 *     MIRELO_ENGINE=<build>/tests/libMireloTestEngine.so
 * CMake gives tests linking `mirelo_test_engine` the define
 * MIRELO_TEST_ENGINE_PATH with that path.
 *
 * Environment
 *   MIRELO_TEST_ENGINE_SCRIPT  script file, read at every engineInitialize
 *                              (a script loaded by mireloTestEngineLoadScript
 *                              since then wins until the next initialise)
 *   MIRELO_TEST_ENGINE_TRACE   trace file; every call is appended as one line
 *                              and flushed at once
 *   MIRELO_TEST_ENGINE_MISSING operations the entry point denies, as a
 *                              comma-separated list of names or numbers
 *                              (a library that lacks them)
 *
 * Script: one statement a line; blank lines and lines starting with '#' are
 * skipped. Words are separated by spaces; "quoted text" may hold spaces and
 * the escapes \" and \\. OP is an operation's name as the program spells it,
 * with or without "engine" (startRecording, engineStartRecording) or its number.
 *
 *   adapters F1 F2 ...          one adapter record per value, family = value
 *                               (any int, so junk families can be tested)
 *   hwtest FAMILY RESULT        engineTestHardwareEncoder(FAMILY) answers
 *                               RESULT (default 0 = usable)
 *   result OP V1 [V2 ...]       successive answers of OP, the last repeating;
 *                               overrides the default answer of any operation
 *   cameras "NAME" ...          the webcams (count, names)
 *   cameraids "ID" ...          their ids (default "camera-<i>")
 *   audio TYPE "NAME" ...       the audio devices of type 4 or 8
 *   audioids TYPE "ID" ...      their ids (default "audio-<type>-<i>")
 *   current TYPE INDEX          engineGetCurrentAudioDevice answer (default 0,
 *                               -1 when the type has no device)
 *   formats WxH@FPS/PIX ...     camera formats, e.g. 640x480@30/4
 *   format INDEX                engineGetCameraFormat answer (default 0)
 *   time US1 [US2 ...]          successive engineGetRecordedTime values (µs)
 *   size B1 [B2 ...]            successive engineGetRecordedSize values
 *   event N DATA [after MS] [on OP] [thread caller]
 *                               raise event N with DATA from the engine's
 *                               thread MS ms (default 0) after initialise,
 *                               or after every call of OP; with
 *                               "thread caller" (and "on OP") it is raised
 *                               inside the call, on the caller's thread
 *   names unterminated          names and ids fill all 1024 units with no
 *                               terminator (a careless engine)
 *   names long                  names and ids are 2000 units long; the engine
 *                               truncates them to 1023 units + terminator
 *
 * Default answers: counts give the scripted list sizes; name and id calls
 * answer 0 for an index in range (-1 otherwise); everything else 0.
 *
 * Trace: one line per call, "<op> key=value ... -> <result>", op without
 * "engine" and with a lower-case first letter. Strings are quoted with \" and
 * \\ escaped, pointers are written as 0 or 1 (null or set). Records list
 * every field by its header name in header order, e.g.
 *   setCaptureRect left=0 top=0 right=1280 bottom=720 -> 0
 *   startRecording filePath="/tmp/a.mp4" formatCode=0 hardwareEncoder=2 ...
 *   setWatermark kind=1 left=0 ... imagePath="" ... textColor=0x00ff8000 ...
 *       text="Hi" transparency=0.5 -> 0
 * A null record is written as "null".
 */
#ifndef MIRELO_TEST_ENGINE_H
#define MIRELO_TEST_ENGINE_H

#ifdef __cplusplus
extern "C" {
#endif

/* Control entry points for tests that load the engine in their own process
 * (resolve them with QLibrary from the same file). */

/* Replaces the script with `text` (the script language above). */
typedef int (*MireloTestEngineLoadScriptFn)(const char *text);
int mireloTestEngineLoadScript(const char *text);

/* Raises event `event` with `data` from the engine's thread after `delayMs`.
 * Answers -3 when the engine is not initialised (no callback to call). */
typedef int (*MireloTestEngineRaiseFn)(int event, int data, int delayMs);
int mireloTestEngineRaise(int event, int data, int delayMs);

/* The trace lines since load or the last clear, '\n'-separated. The text
 * stays valid until the next call of this function or of the clear. */
typedef const char *(*MireloTestEngineTraceFn)(void);
const char *mireloTestEngineTrace(void);
typedef void (*MireloTestEngineClearTraceFn)(void);
void mireloTestEngineClearTrace(void);

#ifdef __cplusplus
}
#endif

#endif /* MIRELO_TEST_ENGINE_H */
