#include "SimTestSupport.h"

namespace kwsim {

std::vector<Frame> SimClient::send(uint8_t cmd, const std::vector<uint8_t>& payload)
{
    const std::vector<uint8_t> wire = encodeFrame({cmd, m_nonce, payload});
    m_nonce = static_cast<uint16_t>(m_nonce * 31 + 7);
    m_nowUs += 10000;
    m_lastWire = m_sim.receive(wire.data(), wire.size(), m_nowUs);
    FrameReader reader;
    reader.push(m_lastWire.data(), m_lastWire.size(), m_nowUs);
    return readAll(reader);
}

std::optional<Frame> SimClient::ask(uint8_t cmd, const std::vector<uint8_t>& payload)
{
    std::vector<Frame> frames = send(cmd, payload);
    if (frames.empty())
        return std::nullopt;
    return frames.front();
}

std::optional<Frame> SimClient::request(uint8_t selector, uint8_t argument, uint8_t byte3)
{
    return ask(2, {selector, 0, argument, byte3, 0, 0});
}

bool SimClient::accepted(uint8_t cmd, const std::vector<uint8_t>& payload)
{
    return isAck(ask(cmd, payload));
}

bool isAck(const std::optional<Frame>& reply)
{
    return reply && reply->cmd == 2 && !reply->payload.empty() && reply->payload[0] == 4;
}

std::vector<Frame> readAll(FrameReader& reader)
{
    std::vector<Frame> frames;
    Frame f;
    while (reader.next(f))
        frames.push_back(f);
    return frames;
}

} // namespace kwsim
