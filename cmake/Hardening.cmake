# SPDX-License-Identifier: GPL-3.0-or-later
# The protections a program is built with, chosen by the kind of file the
# target runs: ELF on Linux, PE on Windows. Only `make bench` builds without
# them once, to show what they cost.
option(KELVARA_HARDENING "Build with the protections of a distribution's program" ON)
set(CMAKE_POSITION_INDEPENDENT_CODE ${KELVARA_HARDENING})

if(WIN32)
    if(KELVARA_HARDENING)
        # Stack protector and fortified libc calls, both of which need
        # libssp on MinGW-w64; address-space randomization (64-bit addresses
        # where there are any) and no execution of data. No stack-clash
        # protection: MinGW-w64's g++ 12 miscompiles its probes with SEH
        # unwinding at -O3, and a thrown exception then crashes.
        add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
        add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
        add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat)
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
            add_link_options(-Wl,--high-entropy-va)
        endif()
    endif()
    return()
endif()

# ELF, as a Debian program is built: stack protector and stack-clash
# protection, fortified libc calls (they need the optimizer), PIE, full
# RELRO with immediate binding, and control-flow protection on x86-64.
if(KELVARA_HARDENING)
    include(CheckPIESupported)
    check_pie_supported()
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
                        -Werror=format-security)
    add_link_options(-Wl,-z,relro,-z,now)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
        add_compile_options(-fcf-protection)
    endif()
    if(NOT KELVARA_SANITIZE)
        # The sanitizers check those calls themselves.
        add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    endif()
else()
    add_compile_options(-fno-stack-protector -fno-stack-clash-protection -fcf-protection=none
                        -fno-pie)
    add_link_options(-no-pie -Wl,-z,norelro,-z,lazy)
endif()
