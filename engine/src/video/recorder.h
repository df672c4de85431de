#pragma once
// The screen-video road's operations: capture rectangle, recording control,
// click marks and watermark. Called on the program's thread.
#include <mirelo/engine_api.h>

namespace mirelo {

int setCaptureRect(const MireloCaptureRect *rect);
// With a recording running, a start with a new path ends the running part
// and begins the next one (a split). When the ended part failed, its
// failure is the answer (MIRELO_E_IO for a write error) and nothing new
// starts; a start refused after the part ended leaves nothing recording.
// Only bad parameters are refused before the running part is touched.
int startRecording(const RecordParams *params);
int stopRecording();
int getRecordedTime(int64_t *microseconds);
int addMouseClick(int x, int y);
int pauseRecording();
int resumeRecording();
int getRecordedSize(int64_t *bytes);
int setWatermark(const WatermarkParams *params);

// At shut-down: stops any recording and waits for files still being
// finished.
void recorderShutdown();

} // namespace mirelo
