#pragma once

#include <string>

// A small PPD of a label printer of maker ("MAKER RK7 Label Printer"), for queues of a private cupsd.
inline std::string PpdFor(const std::string& maker) {
    return "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n"
           "*LanguageEncoding: ISOLatin1\n*PCFileName: \"" +
           maker + ".PPD\"\n*Manufacturer: \"" + maker +
           "\"\n"
           "*Product: \"(" +
           maker + " RK7)\"\n*ModelName: \"" + maker + " RK7\"\n*ShortNickName: \"" + maker +
           " RK7\"\n*NickName: \"" + maker +
           " RK7 Label Printer\"\n*PSVersion: \"(3010.000) 0\"\n"
           "*LanguageLevel: \"3\"\n*ColorDevice: False\n*DefaultColorSpace: Gray\n*FileSystem: False\n"
           "*Throughput: \"1\"\n*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n"
           "*OpenUI *PageSize/Media Size: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n"
           "*DefaultPageSize: w288h432\n*PageSize w288h432/4x6: \"<</PageSize[288 432]>>setpagedevice\"\n"
           "*CloseUI: *PageSize\n*OpenUI *PageRegion/Media Size: PickOne\n"
           "*OrderDependency: 10 AnySetup *PageRegion\n*DefaultPageRegion: w288h432\n"
           "*PageRegion w288h432/4x6: \"<</PageSize[288 432]>>setpagedevice\"\n*CloseUI: *PageRegion\n"
           "*DefaultImageableArea: w288h432\n*ImageableArea w288h432/4x6: \"0 0 288 432\"\n"
           "*DefaultPaperDimension: w288h432\n*PaperDimension w288h432/4x6: \"288 432\"\n";
}
