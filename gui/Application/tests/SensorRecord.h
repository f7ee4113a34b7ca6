#ifndef APPLICATION_TESTS_SENSORRECORD_H
#define APPLICATION_TESTS_SENSORRECORD_H

#include <cstdint>
#include <string>

// A record shaped like the codec's: setters store any value of the field's width and answer 0 when
// it lies in [min, max], 1 otherwise. Counts its live instances.
struct SensorRecord {
    SensorRecord() { ++s_instances; }
    SensorRecord(const SensorRecord& other)
        : limit(other.limit)
        , offset(other.offset)
        , hours(other.hours)
        , level(other.level)
        , range(other.range)
        , name(other.name) {
        ++s_instances;
    }
    SensorRecord& operator=(const SensorRecord&) = default;
    ~SensorRecord() { --s_instances; }

    bool operator==(const SensorRecord& o) const {
        return limit == o.limit && offset == o.offset && hours == o.hours && level == o.level &&
               range == o.range && name == o.name;
    }

    uint16_t getLimit() const { return limit; }
    int setLimit(uint16_t value) { return (limit = value, isLimitValid() ? 0 : 1); }
    uint16_t getLimitMinValue() const { return 10; }
    uint16_t getLimitMaxValue() const { return 1000; }
    bool isLimitValid() const { return limit >= getLimitMinValue() && limit <= getLimitMaxValue(); }

    int8_t getOffset() const { return offset; }
    int setOffset(int8_t value) { return (offset = value, isOffsetValid() ? 0 : 1); }
    int8_t getOffsetMinValue() const { return -100; }
    int8_t getOffsetMaxValue() const { return 100; }
    bool isOffsetValid() const { return offset >= getOffsetMinValue() && offset <= getOffsetMaxValue(); }

    uint32_t getHours() const { return hours; }
    int setHours(uint32_t value) { return (hours = value, isHoursValid() ? 0 : 1); }
    uint32_t getHoursMinValue() const { return 0; }
    uint32_t getHoursMaxValue() const { return 100000; }
    bool isHoursValid() const { return hours <= getHoursMaxValue(); }

    // Twentieths of a percent.
    uint16_t getLevel() const { return level; }
    int setLevel(uint16_t value) { return (level = value, isLevelValid() ? 0 : 1); }
    uint16_t getLevelMinValue() const { return 0; }
    uint16_t getLevelMaxValue() const { return 1998; }
    bool isLevelValid() const { return level <= getLevelMaxValue(); }

    const std::string& getName() const { return name; }
    int setName(const std::string& value) { return (name = value, 0); }
    std::size_t getNameMinLengthInBytes() const { return 1; }
    std::size_t getNameMaxLengthInBytes() const { return 8; }

    uint16_t limit = 100;
    int8_t offset = 0;
    uint32_t hours = 0;
    uint16_t level = 0;
    uint8_t range = 0;
    std::string name = "sensor";

    static inline int s_instances = 0;
};

#endif
