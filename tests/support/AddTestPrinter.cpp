// Adds the test printer to the Wine prefix: the PostScript driver with a
// small A4 PPD at 300 dpi, printing to FILE:, made the default printer.
// Run once per prefix by tests/testenv.sh; printing tests preview and print
// on it (a print job goes to a file the test names).

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const wchar_t kPrinter[] = L"Kestrelwave Test Printer";
const wchar_t kDriver[] = L"Wine PostScript Driver";

// A4 with 18 pt margins all round.
const char kPpd[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KWTEST.PPD"
*Manufacturer: "Kestrelwave"
*Product: "(Test Printer)"
*PSVersion: "(3010.000) 0"
*ModelName: "Kestrelwave Test Printer"
*NickName: "Kestrelwave Test Printer"
*ColorDevice: False
*DefaultColorSpace: Gray
*LanguageLevel: "3"
*DefaultResolution: 300dpi
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)ppd";

bool fail(const char* what)
{
    std::fprintf(stderr, "kw_add_printer: %s failed (%lu)\n", what, GetLastError());
    return false;
}

bool writePpd(std::wstring& path)
{
    wchar_t folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof(folder),
                                    &needed))
        return fail("GetPrinterDriverDirectory");
    path = std::wstring(folder) + L"\\kwtest.ppd";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return fail("writing the PPD");
    DWORD written = 0;
    BOOL ok = WriteFile(file, kPpd, sizeof(kPpd) - 1, &written, nullptr) && written == sizeof(kPpd) - 1;
    CloseHandle(file);
    return ok || fail("writing the PPD");
}

bool addPrinter(std::wstring& ppd)
{
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(kDriver);
    driver.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
    driver.pConfigFile = const_cast<wchar_t*>(L"wineps.drv");
    driver.pDataFile = &ppd[0];
    if (!AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver)))
        return fail("AddPrinterDriver");
    PRINTER_INFO_2W printer{};
    printer.pPrinterName = const_cast<wchar_t*>(kPrinter);
    printer.pPortName = const_cast<wchar_t*>(L"FILE:");
    printer.pDriverName = const_cast<wchar_t*>(kDriver);
    printer.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
    printer.pDatatype = const_cast<wchar_t*>(L"RAW");
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    if (!added && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS)
        return fail("AddPrinter");
    if (added)
        ClosePrinter(added);
    return SetDefaultPrinterW(kPrinter) || fail("SetDefaultPrinter");
}

} // namespace

int main()
{
    std::wstring ppd;
    if (!writePpd(ppd) || !addPrinter(ppd))
        return 1;
    HDC dc = CreateDCW(L"WINSPOOL", kPrinter, nullptr, nullptr);
    if (!dc)
        return fail("CreateDC") ? 0 : 1;
    DeleteDC(dc);
    return 0;
}
