# The audio road: its own text helper, and the engine against a private sound server.
mirelo_add_qtest(engine_tst_pulse_audio_devices
  SOURCES tst_pulse_audio_devices.cpp audio_test_engine.h
  LIBS mirelo_engine_api Qt5::Core PULSE TIMEOUT 60)
add_dependencies(engine_tst_pulse_audio_devices Mirelo)

mirelo_add_qtest(engine_tst_audio_text16
  SOURCES tst_audio_text16.cpp
  LIBS mirelo_engine_internals Qt5::Core)

mirelo_add_qtest(engine_tst_audio_mixing
  SOURCES tst_audio_mixing.cpp
  LIBS mirelo_engine_internals Qt5::Core)

mirelo_add_qtest(engine_tst_pulse_engine_audio
  SOURCES tst_pulse_engine_audio.cpp audio_test_engine.h
  LIBS mirelo_engine_harness PULSE TIMEOUT 120)
add_dependencies(engine_tst_pulse_engine_audio Mirelo mirelo-rec av-stimulus)

mirelo_add_qtest(engine_tst_pulse_engine_hung_server
  SOURCES tst_pulse_engine_hung_server.cpp audio_test_engine.h
  LIBS mirelo_engine_harness PULSE TIMEOUT 120)
add_dependencies(engine_tst_pulse_engine_hung_server Mirelo)
