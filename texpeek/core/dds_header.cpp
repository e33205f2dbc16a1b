#include "texpeek/core/dds_header.h"

namespace texpeek {

namespace {

std::int32_t le32(const std::array<unsigned char, kHeaderSize>& bytes, std::size_t offset)
{
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[offset]) |
                                static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
                                static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
                                static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
    return static_cast<std::int32_t>(value); // two's complement: top bit set reads negative
}

std::string numbered(const char* label, std::int32_t value)
{
    return std::string(label) + std::to_string(value);
}

} // namespace

DdsHeader parseDdsHeader(const std::array<unsigned char, kHeaderSize>& bytes)
{
    std::size_t offset = 0;
    auto next = [&] {
        const std::int32_t value = le32(bytes, offset);
        offset += 4;
        return value;
    };
    DdsHeader h;
    h.magic = next();
    h.size = next();
    h.flags = next();
    h.height = next();
    h.width = next();
    h.pitch = next();
    h.depth = next();
    h.mipMapCount = next();
    for (std::int32_t& value : h.reserved1)
        value = next();
    DdsPixelFormat& pf = h.pixelFormat;
    pf.size = next();
    pf.flags = next();
    pf.fourCC = next();
    pf.bitCount = next();
    pf.redMask = next();
    pf.greenMask = next();
    pf.blueMask = next();
    pf.alphaMask = next();
    h.caps.caps1 = next();
    h.caps.caps2 = next();
    h.caps.reserved1 = next();
    h.caps.reserved2 = next();
    h.reserved2 = next();
    return h;
}

DdsHeader readDdsHeader(std::istream& in)
{
    std::array<unsigned char, kHeaderSize> bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in)
        in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
    return parseDdsHeader(bytes);
}

std::vector<std::string> headerReportLines(const DdsHeader& h)
{
    std::vector<std::string> lines;
    lines.reserve(43);
    lines.emplace_back("DDS Header");
    lines.emplace_back(" ");
    lines.push_back(numbered("Magic Value - ", h.magic));
    lines.push_back(numbered("Size - ", h.size));
    lines.push_back(numbered("Flags - ", h.flags));
    lines.push_back(numbered("Height - ", h.height));
    lines.push_back(numbered("Width - ", h.width));
    lines.push_back(numbered("Pitch - ", h.pitch));
    lines.push_back(numbered("Depth - ", h.depth));
    lines.push_back(numbered("MipMap - ", h.mipMapCount));
    for (std::size_t k = 0; k < h.reserved1.size(); ++k)
        lines.push_back("Reserved " + std::to_string(k + 1) + " - " +
                        std::to_string(h.reserved1[k]));
    lines.emplace_back(" ");
    lines.emplace_back("DDS Pixel Format");
    lines.emplace_back(" ");
    const DdsPixelFormat& pf = h.pixelFormat;
    lines.push_back(numbered("Size - ", pf.size));
    lines.push_back(numbered("Flags - ", pf.flags));
    lines.push_back(numbered("FourCC - ", pf.fourCC));
    lines.push_back(numbered("BitCount - ", pf.bitCount));
    lines.push_back(numbered("Red Mask - ", pf.redMask));
    lines.push_back(numbered("Green Mask - ", pf.greenMask));
    lines.push_back(numbered("Blue Mask - ", pf.blueMask));
    lines.push_back(numbered("Alpha Mesk - ", pf.alphaMask));
    lines.emplace_back(" ");
    lines.emplace_back("DDS Caps");
    lines.emplace_back(" ");
    lines.push_back(numbered("Caps 1 - ", h.caps.caps1));
    lines.push_back(numbered("Caps 2 - ", h.caps.caps2));
    lines.push_back(numbered("Reserved 1 - ", h.caps.reserved1));
    lines.push_back(numbered("Reserved 2 - ", h.caps.reserved2));
    lines.emplace_back(" ");
    lines.emplace_back("DDS End");
    lines.emplace_back(" ");
    lines.push_back(numbered("Reserved 2 - ", h.reserved2));
    return lines;
}

bool hasDx10Header(const DdsHeader& header)
{
    return header.pixelFormat.fourCC == fourCC("DX10");
}

DdsHeaderDx10 parseDx10Header(const std::array<unsigned char, kDx10HeaderSize>& bytes)
{
    auto at = [&](std::size_t offset) {
        return static_cast<std::uint32_t>(bytes[offset]) |
               static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
               static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
               static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
    };
    DdsHeaderDx10 h;
    h.dxgiFormat = at(0);
    h.resourceDimension = at(4);
    h.miscFlag = at(8);
    h.arraySize = at(12);
    h.miscFlags2 = at(16);
    return h;
}

std::vector<std::string> dx10ReportLines(const DdsHeaderDx10& h)
{
    // Unsigned, as the extended header's fields are defined; its format
    // numbers are looked up in tables that print them this way.
    return {
        " ",
        "DDS DX10",
        " ",
        "DXGI Format - " + std::to_string(h.dxgiFormat),
        "Resource Dimension - " + std::to_string(h.resourceDimension),
        "Misc Flag - " + std::to_string(h.miscFlag),
        "Array Size - " + std::to_string(h.arraySize),
        "Misc Flags 2 - " + std::to_string(h.miscFlags2),
    };
}

std::string formatName(std::int32_t bitCount)
{
    switch (bitCount) {
    case 16: return "R5G6B5";
    case 24: return "R8G8B8";
    case 32: return "A8R8G8B8";
    default: return {};
    }
}

} // namespace texpeek
