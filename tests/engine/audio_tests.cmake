# The audio road: its own text helper, and the engine against a private sound server.
mirelo_add_qtest(engine_tst_pulse_audio_devices
  SOURCES tst_pulse_audio_devices.cpp audio_test_engine.h
  LIBS mirelo_engine_api Qt5::Core PULSE TIMEOUT 60)
add_dependencies(engine_tst_pulse_audio_devices Mirelo)

mirelo_add_qtest(engine_tst_audio_text16
  SOURCES tst_audio_text16.cpp ${CMAKE_SOURCE_DIR}/engine/src/core/text16.cpp
  LIBS Qt5::Core)
target_include_directories(engine_tst_audio_text16 PRIVATE ${CMAKE_SOURCE_DIR}/engine/src)

pkg_check_modules(MIRELO_TEST_SWR REQUIRED IMPORTED_TARGET libswresample libavutil)
mirelo_add_qtest(engine_tst_audio_mixing
  SOURCES tst_audio_mixing.cpp ${CMAKE_SOURCE_DIR}/engine/src/audio/source_aligner.cpp
    ${CMAKE_SOURCE_DIR}/engine/src/audio/audio_mixer.cpp
  LIBS Qt5::Core PkgConfig::MIRELO_TEST_SWR)
target_include_directories(engine_tst_audio_mixing PRIVATE ${CMAKE_SOURCE_DIR}/engine/src)

mirelo_add_qtest(engine_tst_pulse_engine_audio
  SOURCES tst_pulse_engine_audio.cpp audio_test_engine.h
  LIBS mirelo_engine_harness PULSE TIMEOUT 90)
add_dependencies(engine_tst_pulse_engine_audio Mirelo)
