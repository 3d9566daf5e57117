/* pdftotext.exe for the test programs under Wine, which has none: starts
 * the build host's pdftotext (Wine runs a Unix program that a Windows one
 * starts, through its start.exe), with the Unix names of the Windows paths
 * it is handed. Test-only: it needs Wine's wine_get_unix_file_name. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

typedef char*(CDECL* UnixName)(LPCWSTR);

static int IsWindowsPath(const wchar_t* arg) {
    return iswalpha(arg[0]) && arg[1] == L':' && (arg[2] == L'/' || arg[2] == L'\\');
}

/* Appends arg to line in double quotes (the arguments here hold none). */
static void AppendQuoted(wchar_t* line, size_t size, const wchar_t* arg) {
    wcsncat(line, L" \"", size - wcslen(line) - 1);
    wcsncat(line, arg, size - wcslen(line) - 1);
    wcsncat(line, L"\"", size - wcslen(line) - 1);
}

int wmain(int argc, wchar_t** argv) {
    /* Wine's start.exe runs a Unix program by its Unix name. */
    const wchar_t* program = L"C:\\windows\\system32\\start.exe";
    UnixName unixName = (UnixName)(void*)GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
    if (unixName == NULL) {
        fputs("pdftotext.exe: runs under Wine only\n", stderr);
        return 127;
    }
    enum { kLineSize = 32768 };
    wchar_t* line = calloc(kLineSize, sizeof *line);
    if (line == NULL) return 127;
    wcsncat(line, L"start.exe /wait /unix /usr/bin/pdftotext", kLineSize - 1);
    /* start.exe leaves the Unix program's output unconnected: text meant
     * for the standard output ("-") goes through a file. */
    wchar_t folder[MAX_PATH], output[MAX_PATH];
    if (GetTempPathW(MAX_PATH, folder) == 0 || GetTempFileNameW(folder, L"pdf", 0, output) == 0) return 127;
    const int toStdout = argc > 1 && wcscmp(argv[argc - 1], L"-") == 0;
    if (toStdout) argv[argc - 1] = output;
    for (int i = 1; i < argc; ++i) {
        if (!IsWindowsPath(argv[i])) {
            AppendQuoted(line, kLineSize, argv[i]);
            continue;
        }
        const char* path = unixName(argv[i]);
        wchar_t wide[MAX_PATH * 4];
        if (path == NULL || MultiByteToWideChar(CP_UTF8, 0, path, -1, wide, MAX_PATH * 4) == 0) return 127;
        AppendQuoted(line, kLineSize, wide);
    }
    STARTUPINFOW startup = {0};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process;
    if (!CreateProcessW(program, line, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "pdftotext.exe: cannot start pdftotext (%lu)\n", GetLastError());
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 127;
    GetExitCodeProcess(process.hProcess, &status);
    if (toStdout) {
        /* start.exe does not wait for a Unix program: the text is there
         * once the file has stopped growing. */
        LONGLONG before = -1;
        for (int tries = 0; tries < 200; ++tries) {
            WIN32_FILE_ATTRIBUTE_DATA data;
            const LONGLONG size = GetFileAttributesExW(output, GetFileExInfoStandard, &data)
                                      ? ((LONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow
                                      : 0;
            if (size > 0 && size == before) break;
            before = size;
            Sleep(100);
        }
        FILE* text = _wfopen(output, L"rb");
        char buffer[4096];
        size_t read;
        while (text != NULL && (read = fread(buffer, 1, sizeof buffer, text)) > 0) fwrite(buffer, 1, read, stdout);
        if (text != NULL) fclose(text);
        DeleteFileW(output);
    }
    return (int)status;
}
