// An open mixer of the seam, closed exactly once.
#pragma once

#include "mixer/Mixer.h"

/// Closed by Close() when a walk over the device ends, or on the way out when an error ends it
/// early (a close that fails with an error did not happen, so that includes an error from Close()
/// itself).
class TOpenMixer {
public:
    TOpenMixer(IMixer& Mixer, HMIXER Handle) : m_mixer(Mixer), m_handle(Handle) {}
    ~TOpenMixer()
    {
        if (m_open) {
            try {
                m_mixer.Close(m_handle);
            } catch (...) {
                // Already leaving with an error; that one is the one to report.
            }
        }
    }
    TOpenMixer(const TOpenMixer&) = delete;
    TOpenMixer& operator=(const TOpenMixer&) = delete;

    /// The handle as the mixer object of the queries: no object-type flag is needed for it.
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(m_handle); }

    /// Closes the mixer; the result is not looked at.
    void Close()
    {
        m_mixer.Close(m_handle);
        m_open = false;
    }

private:
    IMixer& m_mixer;
    HMIXER m_handle;
    bool m_open = true;
};
