#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <string>
#include <utility>

namespace norvil {

// A response body as it arrived, in the pieces it came in, kept as the transfer made them (a
// copy of a piece still in flight would hold those bytes twice). It is handed out in chunks,
// and each piece is let go once handed out, so that draining the body never holds it twice.
// Piece: a byte array with data() and size(), such as std::string.
template <typename Piece>
class ReceivedBody {
public:
    void Add(Piece piece)
    {
        m_bytes += static_cast<std::size_t>(piece.size());
        if (piece.size() > 0)
            m_pieces.push_back(std::move(piece));
    }

    // The next bytes, at most size; empty once everything is handed out.
    std::string Take(std::size_t size)
    {
        std::string chunk;
        chunk.reserve(std::min(size, m_bytes));
        while (chunk.size() < size && !m_pieces.empty()) {
            const Piece& front = m_pieces.front();
            const std::size_t n = std::min(size - chunk.size(), static_cast<std::size_t>(front.size()) - m_readPos);
            chunk.append(front.data() + m_readPos, n);
            m_readPos += n;
            if (m_readPos == static_cast<std::size_t>(front.size())) {
                m_pieces.pop_front();
                m_readPos = 0;
            }
        }
        m_bytes -= chunk.size();
        return chunk;
    }

    // The bytes not handed out yet.
    std::size_t Bytes() const { return m_bytes; }

    void Clear()
    {
        m_pieces.clear();
        m_readPos = 0;
        m_bytes = 0;
    }

private:
    std::deque<Piece> m_pieces; // the front piece is read from m_readPos on
    std::size_t m_readPos = 0;
    std::size_t m_bytes = 0;
};

} // namespace norvil
