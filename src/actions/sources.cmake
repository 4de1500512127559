list(APPEND LUMORA_CORE_SOURCES
    src/actions/action_record.cpp
    src/actions/action_table.cpp
    src/actions/click_plan.cpp
    src/actions/install_root.cpp
    src/actions/launch_command.cpp
    src/actions/launch_entry.cpp
    src/actions/logo_layout.cpp
    src/actions/registry_text.cpp
    src/actions/splash_time.cpp
    src/actions/start_failure.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/actions/action_gate.cpp
    src/actions/click_run.cpp
    src/actions/dispatch.cpp
    src/actions/display_check.cpp
    src/actions/disc.cpp
    src/actions/help.cpp
    src/actions/launch.cpp
    src/actions/launch_at_start.cpp
    src/actions/logo_dialog.cpp
    src/actions/process_start.cpp
    src/actions/program_wait.cpp
    src/actions/sound.cpp
    src/actions/launch_data_registry.cpp
)
