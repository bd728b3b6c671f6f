"""Generator of the message type classes and their descriptor tables."""
